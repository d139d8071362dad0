// The settings window: two options shown from and saved to the configuration
// file. It holds no state of its own; the check boxes are the only copy of the
// options while it is open.
#pragma once

#include <string>

#include <QDialog>

class QCheckBox;
class QPushButton;
class QTabWidget;

namespace hexia {

class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    // Reads the options from the configuration file under programDirectory.
    SettingsWindow(std::string programDirectory, QWidget* owner);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Save();

    std::string programDirectory;
    bool placedWithFrame = false;
    QTabWidget* tabs;
    QCheckBox* wordMenuBox;
    QCheckBox* pdfMenuBox;
    QPushButton* saveButton;
};

} // namespace hexia
