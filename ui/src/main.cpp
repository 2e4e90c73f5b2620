#include "ui/biorhythm_app.h"

int main(int argc, char** argv) {
    CBiorhythmApp app(argc, argv);
    app.StartInstance();
    return 0;
}
