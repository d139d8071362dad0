// hexia: the desktop program. Creates the shared objects, shows the main
// window and hands every drop to the drop intake.
#include <QApplication>

#include "app/app_context.h"
#include "app/drop_intake.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_message_box_display.h"
#include "app/qt/qt_progress_log.h"
#include "app/shared_objects.h"
#include "app/steady_clock.h"
#include "util/program_directory.h"

namespace {

// Releases the shared objects when main returns, after the window is gone.
struct SharedObjectsRelease {
    hexia::AppContext& context;
    ~SharedObjectsRelease() { hexia::ReleaseSharedObjects(context); }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);

    hexia::AppContext context;
    context.ProgramDirectory = hexia::ProgramDirectory();
    hexia::CreateSharedObjects(context);
    SharedObjectsRelease release{context};

    hexia::MainWindow window(context.ProgramDirectory);
    hexia::QtProgressLog progressLog(window.ProgressLogBox());
    hexia::QtMessageBoxDisplay messageBox;
    hexia::SteadyClock clock;
    context.progressLog = &progressLog;
    context.messageBox = &messageBox;
    context.clock = &clock;
    window.SetDropHandler(
        [&context](const std::string& droppedText) { hexia::ProcessDroppedFiles(context, droppedText); });

    window.show();
    return application.exec();
}
