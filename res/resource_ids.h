#pragma once
// Resources of the program file, shared by the resource script and the code.
#define IDC_LINK_HAND 1032 // the pointing hand of the download link
