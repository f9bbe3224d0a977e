#pragma once

// The program's own module: its dialog templates, pictures and icon, for AfxWinMain.

#include "framework/ModuleResources.h"

const ModuleResources& ProgramResources();
