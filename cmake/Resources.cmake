# Placeholder until resources are embedded.
