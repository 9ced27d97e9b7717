REM “h‚è (zf61): •Â‚¶‚½—Ìˆæ‚ð“h‚èA‰æ‘œ‚Æ‚µ‚Ä“\‚è•t‚¯
REM #jww
REM #cd
REM #hf
REM #bz
REM #h1
REM #g1
REM #e
start /wait zf61.exe
