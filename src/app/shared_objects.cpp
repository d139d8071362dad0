#include "app/shared_objects.h"

namespace hexia {

void CreateSharedObjects(AppContext& context) {
    context.CurrentWordDocument.reset();
    context.WordDocuments.reset();
    context.WordApplication.reset();
    LoadPdfComponent(context.SharedPdfLibrary, context.componentRegistry ? *context.componentRegistry
                                                                         : PdfComponentRegistry::BuiltIn());
}

void ReleaseSharedObjects(AppContext& context) {
    context.WordApplication.reset();
    context.WordDocuments.reset();
    context.CurrentWordDocument.reset();
    context.SharedPdfLibrary.component.reset();
}

} // namespace hexia
