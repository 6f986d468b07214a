// Logs each click with the selection after it and the tip last shown, and snapshots the window.
C_LONGINT($1;$2;$3)
ARRAY LONGINT($picked;0)
$cell:=0
$err:=ZV_GetSelection($1;$cell;$picked)
$selection:=""
For($i;1;Size of array($picked))
  If($i>1)
    $selection:=$selection+","
  End if
  $selection:=$selection+String($picked{$i})
End for
gClicks:=gClicks+1
SNAPSHOT(gWindow;gSnapshots+"/click"+String(gClicks)+".png")
LOG("event";$2;"cell";$3;"selection";$selection;"tip";Last tip)
// A double click closes the window, which ends the run.
If($2=13)
  CLOSE WINDOW(gWindow)
End if
