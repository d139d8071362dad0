// The progress log over the main window's log box.
#pragma once

#include <QPointer>

#include "app/app_context.h"

class QPlainTextEdit;

namespace hexia {

class QtProgressLog final : public ProgressLog {
public:
    explicit QtProgressLog(QPlainTextEdit* box);

    void Empty() override;
    // Adds the text after the last character, unchanged, and keeps the end in
    // view. A batch runs on the window's thread, so the window is repainted
    // here; input waits until the batch is over.
    void Append(std::string_view text) override;

private:
    void Repaint();

    QPointer<QPlainTextEdit> box;
};

} // namespace hexia
