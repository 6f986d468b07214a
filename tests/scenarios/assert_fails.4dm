// A failed ASSERT ends the run with status 1; nothing after it runs.
LOG("before")
ASSERT(1=2;"one is not two")
LOG("after")
