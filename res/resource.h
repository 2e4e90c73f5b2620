// Resource identifiers shared by qob.rc and the program.
#pragma once

// The application icon group: Windows shows the first icon group of a
// program file as its icon, and this is the only one.
#define IDR_MAINFRAME 128
