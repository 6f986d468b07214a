$0:=""
For ($i;1;113)
$0:=$0+"word"+String($i)+" "
End for
