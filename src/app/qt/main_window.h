// The main window: the progress log, the settings button, and the drop target
// for files. What a drop does is up to the handler that the program gives it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <QList>
#include <QUrl>
#include <QWidget>

class QPlainTextEdit;

namespace hexia {

class SettingsButton;

inline constexpr std::string_view MainWindowTitle = "禾匣分解-专利五书拆分工具 V1.1";

// What the log shows until the first batch empties it.
extern const std::string_view InstructionText;

// The dropped text for a list of dropped URLs: the local file paths, a single
// one alone, several each followed by "\r\n". "" when none is a local file.
std::string DroppedTextOf(const QList<QUrl>& urls);

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Receives the dropped text; runs to completion before the window takes
    // another drop.
    using DropHandler = std::function<void(const std::string& droppedText)>;

    // The settings are stored under programDirectory.
    explicit MainWindow(std::string programDirectory, QWidget* parent = nullptr);

    void SetDropHandler(DropHandler handler);

    QPlainTextEdit* ProgressLogBox() const { return progressLog; }
    SettingsButton* SettingsButtonWidget() const { return settingsButton; }
    bool IsHandlingDrop() const { return handlingDrop; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ApplyLayout();
    void OpenSettings();
    void HandleDrop(const std::string& droppedText);

    std::string programDirectory;
    DropHandler dropHandler;
    bool handlingDrop = false;
    bool placedWithFrame = false;
    QPlainTextEdit* progressLog;
    SettingsButton* settingsButton;
};

} // namespace hexia
