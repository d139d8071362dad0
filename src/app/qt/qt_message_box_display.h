// The refusal box of the window program.
#pragma once

#include "app/app_context.h"

namespace hexia {

class QtMessageBoxDisplay final : public MessageBoxDisplay {
public:
    // A box without icon or owner, modal to the whole application, with one
    // OK button; returns when it is closed.
    void Show(std::string_view title, std::string_view text) override;
};

} // namespace hexia
