// Property-grid extensions of the editor: the composed property classes and their start-up registration.
#pragma once

#include "editor/wxPointProperty.h"
#include "editor/wxRealPointVariantData.h"
#include "editor/wxSizeProperty.h"

// Registers everything the editor's property pages rely on: the wxAny to
// wxVariant conversion of wxRealPoint, the property classes by name and the
// grid's additional editors (spin control). Call once at start-up, after the
// toolkit is initialised and before the first page is built; later calls do
// nothing.
void RegisterPropertyExtensions();
