// The particle page as property-table rows, made from the particle parameter table.
#pragma once

#include "editor/PropertyTable.h"

class ParticleSystem2DEditor;

using ParticlePropertyTable = PropertyTable<ParticleSystem2DEditor>;

// "关键参数" (with "emitterType", which fills in its mode's group), "显示相关"
// and "发射器", in the order of the page.
const ParticlePropertyTable& particlePageRows();
// The groups appended into "emitterType": full names "emitterType.<name>".
const ParticlePropertyTable& gravityModeRows();
const ParticlePropertyTable& radiusModeRows();
