#include "support/program_end_recorder.h"

#include "toolkit/program.h"

ProgramEndRecorder::ProgramEndRecorder()
{
    tk::setProgramExitForTests([this] { ++ends_; });
}

ProgramEndRecorder::~ProgramEndRecorder()
{
    tk::setProgramExitForTests({});
}
