// Making a PdfLibrary ready: the component is looked up by its ProgID in a
// registry of factories. On Linux the built-in engine is registered there.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "components/pdf_component.h"
#include "components/pdf_library.h"

namespace hexia {

inline constexpr const char* PdfComponentProgId = "DebenuPDFLibraryAX1811.PDFLibrary";

// Returns a new component object, or null when it cannot be created.
using PdfComponentFactory = std::function<std::shared_ptr<PdfComponent>()>;

class PdfComponentRegistry {
public:
    void Register(const std::string& progId, PdfComponentFactory factory);
    // Null when no factory is registered for progId or creation fails.
    std::shared_ptr<PdfComponent> Create(const std::string& progId) const;

    // The registry with this platform's built-in engine.
    static const PdfComponentRegistry& BuiltIn();

private:
    std::map<std::string, PdfComponentFactory> factories;
};

// Creates the component into instance.component (left empty when that fails),
// then runs ApplyComponentDefaults in every case.
void LoadPdfComponent(PdfLibrary& instance, const PdfComponentRegistry& registry = PdfComponentRegistry::BuiltIn());

} // namespace hexia
