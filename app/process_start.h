#pragma once

// What start-up takes for the whole process: OLE on the UI thread, and the program's folder as
// the current directory. OLE is given back at the process's end (process_end.h).
void InitialiseProcess();
