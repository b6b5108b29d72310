#pragma once
// The toolkit's runtime folder. Started without a desktop session (as root
// from a console, or under a bare X server) there is no XDG_RUNTIME_DIR, and
// the toolkit makes its own folder but warns about it on every start.

namespace varlek::ui {

// Before the application object exists: when XDG_RUNTIME_DIR is not set,
// sets it to a folder of this user's only, made if missing (the one the
// toolkit would fall back to). A folder that cannot be made or belongs to
// someone else is left to the toolkit, which then says why.
void PreparaCarpetaEjecucion();

}  // namespace varlek::ui
