// Database code run while cells load may close the window, lower the count, drop the cache or
// replace an expression: the load notices and stops or starts over, and the area stays sound.
// A closed area's running command still answers its code; later commands on it answer -50.
READ PICTURE FILE("../../../data/rgb3x2.png";gPict)
C_PICTURE(gNone)
gMode:=""
Trial("count";"close";3)
Trial("picture";"close";3)
Trial("caption";"close";1)
Trial("reveal";"close";50)
Trial("size";"close";22)
Trial("picture";"count";3)
Trial("reveal";"count";50)
Trial("size";"count";22)
Trial("count";"purge";3)
Trial("picture";"recount";3)
Trial("reveal";"purge";50)
Trial("picture";"picture";3)
Trial("count";"caption";3)
Trial("reveal";"caption";50)
Trial("size";"picture";22)
