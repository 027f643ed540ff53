#pragma once

// Records the end of the program instead of leaving the event loop, for one scope.

class ProgramEndRecorder {
public:
    ProgramEndRecorder();
    ~ProgramEndRecorder();
    ProgramEndRecorder(const ProgramEndRecorder&) = delete;
    ProgramEndRecorder& operator=(const ProgramEndRecorder&) = delete;

    int ends() const { return ends_; }

private:
    int ends_ = 0;
};
