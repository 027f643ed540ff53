#include "support/program_end_recorder.h"

#include "toolkit/program.h"

ProgramEndRecorder::ProgramEndRecorder()
{
    tk::SetProgramExitForTests([this] { ++ends_; });
}

ProgramEndRecorder::~ProgramEndRecorder()
{
    tk::SetProgramExitForTests({});
}
