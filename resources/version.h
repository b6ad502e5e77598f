// The program's version: the one place it is written. zavora.rc puts it into the version
// resource, where the program and the about box read it back at run time.
#pragma once

#define ZAVORA_VERSION_MAJOR 1
#define ZAVORA_VERSION_MINOR 0
#define ZAVORA_VERSION_PATCH 0
#define ZAVORA_VERSION_TEXT "1.0.0"
