#pragma once
// What the main window does with the recipe file as it opens it: bring it to the layout this
// program writes (category membership and the ingredient index), once, in one transaction. A file that cannot be
// written (read-only, locked) is read through slower stored queries of the program's own and refuses saves while
// triggers of another program are on it; a file whose recipe table is not a table is refused.
namespace platform::db {
class Connection;
}

namespace catalogue {

// Throws platform::db::Error(UnusableLayout) for a file that cannot be used.
void prepareCatalogue(platform::db::Connection& db);

} // namespace catalogue
