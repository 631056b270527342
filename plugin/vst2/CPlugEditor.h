#pragma once
// What CPlug tells its editor. The editor class derives from this; until
// one is linked in, CPlug runs without one and every call below is skipped.
#include <cstdint>

#include "AEffEditor.h"

class CPlug;

class CPlugEditor : public AEffEditor {
public:
    using AEffEditor::AEffEditor;

    // index 0..7 are host parameters, 8 is the gain-reduction meter 0..1.
    virtual void setParameter(int32_t index, float value) {}
    virtual void setProgram(int32_t program) {}
    virtual void set_plugin_name(const char* title) {}
    virtual void setHostEffEnable(float enable) {}
};

// Makes the editor for a new plug-in object; may answer null.
using CPlugEditorFactory = CPlugEditor* (*)(CPlug* plug);

// The factory of this build: the editor library provides it, and a build
// without an editor links the one that answers null.
CPlugEditor* make_plug_editor(CPlug* plug);
