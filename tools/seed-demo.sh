#!/bin/sh
# Seeds the current WINEPREFIX with demo journaling entries: some on, some off,
# one without a value and some with values of odd types.
set -eu
key='HKCU\Software\Microsoft\Shared Tools\Outlook\Journaling'
entry() { name=$1; shift; if [ $# -eq 0 ]; then wine reg add "$key\\$name" /f >/dev/null 2>&1; else wine reg add "$key\\$name" /v Enabled "$@" /f >/dev/null 2>&1; fi; }
entry "Microsoft Access"
entry "Microsoft Excel" /t REG_DWORD /d 1
entry "Microsoft PowerPoint" /t REG_DWORD /d 0
entry "Microsoft Publisher" /t REG_DWORD /d 2
entry "Microsoft Word" /t REG_DWORD /d 1
entry "Microsoft Visio" /t REG_SZ /d 1
entry "Microsoft Project" /t REG_QWORD /d 1
entry "Outlook Notizen" /t REG_DWORD /d 1
wineserver -w
