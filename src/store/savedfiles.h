#pragma once
// Files the program rewrites whole (userdb.ini, wlocation.dat) are written to
// a temporary file beside them and renamed into place, under the lock file
// "<file>.lock". A writer killed on the way leaves its temporary file behind;
// the next start removes such leftovers.

#include <QString>

namespace orbilex {

// Removes "<file>.XXXXXX" (and their own ".lock") left by writers that died,
// unless a writer holds the file's lock right now. Returns how many went.
int removeStaleTemporaries(const QString &file);

} // namespace orbilex
