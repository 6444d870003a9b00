// Property-table rows for the particle page: one per parameter row, with the categories where the category changes.
#include "particle/ParticlePropertyRows.h"

#include "particle/ParticleGridValue.h"
#include "particle/ParticleSystem2DEditor.h"

#include <wx/translation.h>

#include <array>
#include <utility>

namespace {

using Row = ParticlePropertyTable::Row;
using Getter = wxAny (*)(ParticleSystem2DEditor&);
using Setter = void (*)(ParticleSystem2DEditor&, const wxAny&, wxPGProperty*);

// A table row's getter and setter take only the object, so each parameter
// gets its own pair of functions, made here once per index of the table.
template <size_t I>
wxAny getParameter(ParticleSystem2DEditor& object) {
    return object.parameterValue(particleParameters()[I]);
}

template <size_t I>
void setParameter(ParticleSystem2DEditor& object, const wxAny& value, wxPGProperty* property) {
    object.applyParameter(particleParameters()[I], value, property);
}

template <size_t... I>
std::array<std::pair<Getter, Setter>, sizeof...(I)> makeAccessors(std::index_sequence<I...>) {
    return {{{&getParameter<I>, &setParameter<I>}...}};
}

const auto& accessors() {
    static const auto all = makeAccessors(std::make_index_sequence<kParticleParameterCount>());
    return all;
}

PropertyChoices choicesOf(ParticleChoices list) {
    PropertyChoices choices;
    for (const ParticleChoice& c : particleChoices(list)) choices.push_back({c.label, c.value});
    return choices;
}

const PropertyChoices* choiceList(ParticleChoices list) {
    static const PropertyChoices modes = choicesOf(ParticleChoices::EmitterModes);
    static const PropertyChoices factors = choicesOf(ParticleChoices::BlendFactors);
    static const PropertyChoices positions = choicesOf(ParticleChoices::PositionTypes);
    switch (list) {
    case ParticleChoices::EmitterModes:
        return &modes;
    case ParticleChoices::BlendFactors:
        return &factors;
    case ParticleChoices::PositionTypes:
        return &positions;
    case ParticleChoices::None:
        break;
    }
    return nullptr;
}

Row categoryRow(ParticleCategory category) {
    switch (category) {
    case ParticleCategory::Common:
        return {"common", wxTRANSLATE("关键参数"), "", PropertyKind::Category};
    case ParticleCategory::Display:
        return {"display", wxTRANSLATE("显示相关"), "", PropertyKind::Category};
    case ParticleCategory::Emitter:
        break;
    }
    return {"emitter", wxTRANSLATE("发射器"), "", PropertyKind::Category};
}

void fillModeGroup(ParticleSystem2DEditor& object, wxPGProperty* emitterType) {
    if (object.getEmitterMode() == cocos2d::ParticleSystem::Mode::GRAVITY)
        object.addGravityModeProperties(emitterType);
    else
        object.addRadiusModeProperties(emitterType);
}

// The rows of one group (None: the page itself, with its categories).
std::vector<Row> rowsOf(EmitterGroup group) {
    const std::vector<ParticleParameter>& parameters = particleParameters();
    std::vector<Row> rows;
    bool first = true;
    ParticleCategory category = ParticleCategory::Common;
    for (size_t i = 0; i < parameters.size() && i < accessors().size(); ++i) {
        const ParticleParameter& p = parameters[i];
        if (p.group != group) continue;
        if (group == EmitterGroup::None && (first || p.category != category)) rows.push_back(categoryRow(p.category));
        first = false;
        category = p.category;
        Row row{p.name, p.label, p.help, ParticleGridValue::kindOf(p.kind)};
        if (p.kind != ParticleValueKind::Composite) {
            row.get = accessors()[i].first;
            row.set = accessors()[i].second;
        }
        // A group's rows go straight into the table's parent ("emitterType").
        row.parent = group == EmitterGroup::None ? p.parent : nullptr;
        row.choices = choiceList(p.choices);
        if (p.choices == ParticleChoices::EmitterModes) row.fill = &fillModeGroup;
        rows.push_back(row);
    }
    return rows;
}

}

const ParticlePropertyTable& particlePageRows() {
    static const ParticlePropertyTable rows(wxString(), rowsOf(EmitterGroup::None));
    return rows;
}

const ParticlePropertyTable& gravityModeRows() {
    static const ParticlePropertyTable rows(wxS("emitterType"), rowsOf(EmitterGroup::Gravity));
    return rows;
}

const ParticlePropertyTable& radiusModeRows() {
    static const ParticlePropertyTable rows(wxS("emitterType"), rowsOf(EmitterGroup::Radius));
    return rows;
}
