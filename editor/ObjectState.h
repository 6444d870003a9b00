// A snapshot of an editor object's editable values, taken before and after an edit so that undo can put either back.
#pragma once

class ObjectState {
public:
    virtual ~ObjectState() = default;
    // Whether other holds exactly these values (other may be of another kind).
    virtual bool sameAs(const ObjectState& other) const = 0;
};
