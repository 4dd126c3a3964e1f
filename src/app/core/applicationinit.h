#pragma once

// The process half of the start-up: working folder, settings, temporary and
// log folders, log handler, single instance, language and GL format.
// Returns false when the program must end with exit code 1.
bool InitializeApp();

// Creates the local temporary folder from "TmpPath" and sets localTmpDir.
// Returns false when the folder cannot be made.
bool CreateTempDirectory();
