#pragma once

#include <QApplication>

// The application object: runs the main dialog once and then ends.
class CBiorhythmApp : public QApplication {
    Q_OBJECT

public:
    CBiorhythmApp(int& argc, char** argv);

    // Runs the main dialog modally; false says nothing is left to run.
    bool StartInstance();
};
