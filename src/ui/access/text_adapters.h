#pragma once

#include <memory>

#include "ui/access/text_accessible.h"

// The kinds of text control the templates make, each as assistive tools see
// it: a line edit, a multi-line edit and the calculators' long-text view.
// nullptr for an object of any other kind.
std::unique_ptr<TextAccessible::Adapter> textAdapterFor(QObject* object);
