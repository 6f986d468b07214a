// A drop on a grid: $1 the grid, $2 the event (16), $3 the position before which the pictures go.
// The source grid's selected pictures move there, in their order.
C_LONGINT($1;$2;$3)
If($2=16)
  C_LONGINT($source;$process;$cell)
  C_TEXT($signature)
  If(ZVObs_GetDragSource($1;$source;$process;$signature)=0)
    ARRAY LONGINT($cells;0)
    If(ZV_GetSelection($source;$cell;$cells)=0)
      $position:=$3
      ARRAY PICTURE(gMovedPictures;0)
      ARRAY TEXT(gMovedNames;0)
      // Taken out last first, so that the numbers of those still to take stay right.
      $i:=Size of array($cells)
      While($i>=1)
        TakeCell($source;$cells{$i})
        If(($source=$1) & ($cells{$i}<$position))
          $position:=$position-1
        End if
        $i:=$i-1
      End while
      // gMoved holds them last first: inserting each at the same place restores their order.
      For($i;1;Size of array(gMovedNames))
        PutCell($1;$position;$i)
      End for
      // A recount empties the selection: the moved pictures are selected again where they landed.
      $err:=ZV_UpdateArea($source;2;0;0)
      If($source#$1)
        $err:=ZV_UpdateArea($1;2;0;0)
      End if
      ARRAY LONGINT($landed;0)
      For($i;1;Size of array(gMovedNames))
        APPEND TO ARRAY($landed;$position+$i-1)
      End for
      $err:=ZV_SetSelection($1;0;$landed)
      LOG("moved";Size of array(gMovedNames);"left";Size of array(gLeftPictures);"right";Size of array(gRightPictures))
    End if
  End if
End if
