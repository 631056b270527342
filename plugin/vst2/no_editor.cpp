// Linked into builds that carry no editor.
#include "CPlugEditor.h"

CPlugEditor* make_plug_editor(CPlug*) { return nullptr; }
