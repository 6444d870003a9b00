// A property page declared as data: rows that both build the page and apply its edits.
//
// Use (a table per category or per group, declared once, usually a function-local static):
//
//   static const PropertyTable<ParticleSystem2DEditor> common{{
//       {"common", "关键参数", "", PropertyKind::Category},
//       {"angle", "角度", "粒子系统喷射方向", PropertyKind::Float,
//        [](ParticleSystem2DEditor& p) -> wxAny { return p.getAngle(); },
//        [](ParticleSystem2DEditor& p, const wxAny& v, wxPGProperty*) { p.setAngle(v.As<double>()); }},
//       {"blendFunc", "混合模式", "...", PropertyKind::Composite},
//       {"blendFuncSource", "Src", "", PropertyKind::Enum, getSrc, setSrc, "blendFunc", &blendFactors},
//   }};
//   // a group appended into another table's row: its full names are "emitterType.<name>"
//   static const PropertyTable<ParticleSystem2DEditor> gravity{"emitterType", {...}};
//
//   void ParticleSystem2DEditor::createProperties() {
//       EditorNode::createProperties();
//       common.createProperties(*this, *this);                 // appends to propertyPage
//   }
//   void ParticleSystem2DEditor::addGravityModeProperties(wxPGProperty* parent) {
//       gravity.createProperties(*this, *this, parent);        // appends into parent
//   }
//   void ParticleSystem2DEditor::applyProperty(wxPGProperty* p, const wxString& name, const wxAny& v) {
//       EditorNode::applyProperty(p, name, v);
//       common.applyProperty(*this, p, name, v) || gravity.applyProperty(*this, p, name, v);
//   }
//
// Rows are appended in table order. A row's `parent` names an earlier row of
// the same table; its full name is "parentFullName.name" (a table built with
// a parent name puts that in front of its top rows). A setter receives the
// value as its kind's type (PropertyKind): v.As<double>() for Float,
// v.As<int>() for Int and Enum, v.As<wxRealPoint>() for Point and so on; an
// edit whose value does not convert is dropped before the setter. Names are
// compared exactly (case-sensitive), first match wins.
#pragma once

#include "editor/EditorNode.h"
#include "editor/PropertyRow.h"
#include "editor/PropertyValue.h"

#include <wx/string.h>
#include <wx/translation.h>

#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

template <class Object, class Extra = NoRowExtra>
class PropertyTable {
public:
    using Row = PropertyRow<Object, Extra>;

    PropertyTable(std::initializer_list<Row> rows) : PropertyTable(wxString(), rows) {}
    // parentName: full name of the property the table's top rows go into.
    PropertyTable(const wxString& parentName, std::initializer_list<Row> rows)
        : PropertyTable(parentName, std::vector<Row>(rows)) {}
    // Rows made at run time, for instance from a table of another shape.
    PropertyTable(const wxString& parentName, std::vector<Row> rows) : m_rows(std::move(rows)) {
        m_fullNames.reserve(m_rows.size());
        m_parents.reserve(m_rows.size());
        for (const Row& row : m_rows) {
            // A parent that is not an earlier row (-2) leaves the row off the page.
            const int parent = row.parent ? indexOf(row.parent, m_parents.size()) : -1;
            const wxString& prefix = parent >= 0 ? m_fullNames[parent] : parentName;
            const wxString own = wxString::FromUTF8(row.name);
            m_fullNames.push_back(prefix.empty() ? own : prefix + wxS(".") + own);
            m_parents.push_back(parent);
        }
    }

    // Appends every row to editor.propertyPage, values read from object; top
    // rows go under `under` when given. A row whose parent failed is skipped.
    void createProperties(EditorNode& editor, Object& object, wxPGProperty* under = nullptr) const {
        std::vector<wxPGProperty*> made(m_rows.size(), nullptr);
        for (size_t i = 0; i < m_rows.size(); ++i) {
            const Row& row = m_rows[i];
            if (m_parents[i] == -2) continue;
            wxPGProperty* parent = m_parents[i] >= 0 ? made[m_parents[i]] : under;
            if (m_parents[i] >= 0 && !parent) continue;
            const wxAny value = row.get ? row.get(object) : wxAny();
            made[i] = editor.addPropertyOfKind(row.kind, wxGetTranslation(wxString::FromUTF8(row.label)),
                                               wxString::FromUTF8(row.name), value,
                                               wxGetTranslation(wxString::FromUTF8(row.help)), parent, row.choices);
            if (made[i] && row.fill) row.fill(object, made[i]);
        }
    }

    // Applies an edit to the row whose full name is `name`; false when no row
    // has that name (the edit is someone else's). A row without a setter, or a
    // value that does not convert to the row's kind, is matched but ignored.
    bool applyProperty(Object& object, wxPGProperty* property, const wxString& name, const wxAny& value) const {
        const Row* row = find(name);
        if (!row) return false;
        wxAny converted;
        if (row->set && ToKindValue(row->kind, value, converted)) row->set(object, converted, property);
        return true;
    }

    // The row with this full name, or null.
    const Row* find(const wxString& fullName) const {
        for (size_t i = 0; i < m_rows.size(); ++i)
            if (m_fullNames[i] == fullName) return &m_rows[i];
        return nullptr;
    }

    const std::vector<Row>& rows() const { return m_rows; }
    // Full name of row i, as the grid reports it.
    const wxString& fullName(size_t i) const { return m_fullNames[i]; }

private:
    // Index among the first `count` rows of the row named `name`; -2 if none.
    int indexOf(const char* name, size_t count) const {
        for (size_t i = 0; i < count; ++i)
            if (std::strcmp(m_rows[i].name, name) == 0) return static_cast<int>(i);
        return -2;
    }

    std::vector<Row> m_rows;
    std::vector<wxString> m_fullNames;
    std::vector<int> m_parents;
};
