#include "au_value_table.h"

#include "au_params.h"

namespace vlt::mac {

using editor::Control;

float au_plain_value(Control control, float f)
{
    return params::au::plain_value(editor::model_index(control), f);
}

float au_fraction(Control control, float v)
{
    return params::au::host_value(editor::model_index(control), v);
}

}  // namespace vlt::mac
