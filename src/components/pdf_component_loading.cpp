#include "components/pdf_component_loading.h"

#include "components/pdf_engine/pdf_engine.h"

namespace hexia {

void PdfComponentRegistry::Register(const std::string& progId, PdfComponentFactory factory) {
    factories[progId] = std::move(factory);
}

std::shared_ptr<PdfComponent> PdfComponentRegistry::Create(const std::string& progId) const {
    auto found = factories.find(progId);
    if (found == factories.end() || !found->second) {
        return nullptr;
    }
    try {
        return found->second();
    } catch (...) {
        return nullptr;
    }
}

const PdfComponentRegistry& PdfComponentRegistry::BuiltIn() {
    static const PdfComponentRegistry registry = [] {
        PdfComponentRegistry builtIn;
        builtIn.Register(PdfComponentProgId, [] { return std::make_shared<PdfEngine>(); });
        return builtIn;
    }();
    return registry;
}

void LoadPdfComponent(PdfLibrary& instance, const PdfComponentRegistry& registry) {
    if (!instance.component) {
        instance.component = registry.Create(PdfComponentProgId);
    }
    instance.ApplyComponentDefaults();
}

} // namespace hexia
