#pragma once

// The program's entry point. The program's main is
//
//   int main(int argc, char** argv) { return AfxWinMain(argc, argv, ProgramResources()); }

#include "framework/ModuleResources.h"

// Creates the Qt application, registers the resources as the program's module and records it in
// the application object (m_hInstance), derives the application title from the program file's
// name, calls InitApplication and InitInstance, runs the message loop only when InitInstance
// returned TRUE, calls ExitInstance and returns its result. The command-line arguments are
// ignored. Returns -1 when there is no application object.
int AfxWinMain(int argc, char** argv, const ModuleResources& resources);
