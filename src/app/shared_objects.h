#pragma once

#include "app/app_context.h"

namespace hexia {

// Empties the three Word references and makes SharedPdfLibrary ready.
void CreateSharedObjects(AppContext& context);

// Releases the Word references and the shared PDF library; asks the office
// suite for nothing.
void ReleaseSharedObjects(AppContext& context);

} // namespace hexia
