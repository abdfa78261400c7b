#pragma once

#include <string>

#include "resources/dialog_template.h"

// The name a screen reader speaks for a control: a button's caption; for an
// edit field the text of the label beside it; otherwise a short description
// of its role. Empty only for decoration (group boxes, labels, the icon),
// which speak their own captions.
std::string accessibleName(const DialogTemplate& dialogTemplate, const ControlTemplate& control);
