#pragma once

// Registers the resources compiled into the program's library (the schema of
// a new database, icons). A static library's resources are only linked in
// when something refers to them; this does. Safe to call more than once.
void initDossaraResources();
