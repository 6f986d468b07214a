$0:=FzRecurse
