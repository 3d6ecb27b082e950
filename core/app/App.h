// Front door of the application's start-up logic: settings read, command line, recent files, tips.
#pragma once

#include "app/AppSettings.h"
#include "app/CommandLine.h"
#include "app/RecentFiles.h"
#include "app/TipFile.h"
