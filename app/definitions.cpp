// The program's table of window definitions: the main window alone.
#include "app/app.h"

const rt::DefinitionTable& rt::ProgramDefinitions() {
    static const DefinitionTable table = {kDefinitionFormat, {MainWindowDefinition()}};
    return table;
}
