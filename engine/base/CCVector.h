// cocos2d::Vector<T>: a std::vector of Ref pointers that retains what it holds.
#ifndef __CCVECTOR_H__
#define __CCVECTOR_H__

#include <algorithm>
#include <functional>
#include <type_traits>
#include <vector>

#include "base/ccMacros.h"
#include "base/CCRef.h"

NS_CC_BEGIN

template <class T>
class Vector {
public:
    using iterator = typename std::vector<T>::iterator;
    using const_iterator = typename std::vector<T>::const_iterator;
    using reverse_iterator = typename std::vector<T>::reverse_iterator;
    using const_reverse_iterator = typename std::vector<T>::const_reverse_iterator;

    iterator begin() { return _data.begin(); }
    const_iterator begin() const { return _data.begin(); }
    iterator end() { return _data.end(); }
    const_iterator end() const { return _data.end(); }
    const_iterator cbegin() const { return _data.cbegin(); }
    const_iterator cend() const { return _data.cend(); }
    reverse_iterator rbegin() { return _data.rbegin(); }
    const_reverse_iterator rbegin() const { return _data.rbegin(); }
    reverse_iterator rend() { return _data.rend(); }
    const_reverse_iterator rend() const { return _data.rend(); }

    Vector() : _data() {
        static_assert(std::is_convertible<T, Ref*>::value, "Invalid Type for cocos2d::Vector<T>!");
    }
    explicit Vector(ssize_t capacity) : _data() { reserve(capacity); }
    Vector(std::initializer_list<T> list) {
        for (auto& element : list) pushBack(element);
    }
    ~Vector() { clear(); }
    Vector(const Vector<T>& other) {
        _data = other._data;
        addRefForAllObjects();
    }
    Vector(Vector<T>&& other) { _data = std::move(other._data); }
    Vector<T>& operator=(const Vector<T>& other) {
        if (this != &other) {
            clear();
            _data = other._data;
            addRefForAllObjects();
        }
        return *this;
    }
    Vector<T>& operator=(Vector<T>&& other) {
        if (this != &other) {
            clear();
            _data = std::move(other._data);
        }
        return *this;
    }

    void reserve(ssize_t n) { _data.reserve(n); }
    ssize_t capacity() const { return _data.capacity(); }
    ssize_t size() const { return _data.size(); }
    bool empty() const { return _data.empty(); }
    ssize_t max_size() const { return _data.max_size(); }

    ssize_t getIndex(T object) const {
        auto iter = std::find(_data.begin(), _data.end(), object);
        if (iter != _data.end()) return iter - _data.begin();
        return -1;
    }
    const_iterator find(T object) const { return std::find(_data.begin(), _data.end(), object); }
    iterator find(T object) { return std::find(_data.begin(), _data.end(), object); }

    T at(ssize_t index) const {
        CCASSERT(index >= 0 && index < size(), "index out of range in getObjectAtIndex()");
        return _data[index];
    }
    T front() const { return _data.front(); }
    T back() const { return _data.back(); }
    T getRandomObject() const {
        if (!_data.empty()) {
            ssize_t randIdx = RandomHelper::random_int<int>(0, static_cast<int>(_data.size()) - 1);
            return *(_data.begin() + randIdx);
        }
        return nullptr;
    }
    bool contains(T object) const { return (std::find(_data.begin(), _data.end(), object) != _data.end()); }
    bool equals(const Vector<T>& other) const {
        ssize_t s = this->size();
        if (s != other.size()) return false;
        for (ssize_t i = 0; i < s; i++) {
            if (this->at(i) != other.at(i)) return false;
        }
        return true;
    }

    void pushBack(T object) {
        CCASSERT(object != nullptr, "The object should not be nullptr");
        _data.push_back(object);
        object->retain();
    }
    void pushBack(const Vector<T>& other) {
        for (const auto& obj : other) {
            _data.push_back(obj);
            obj->retain();
        }
    }
    void insert(ssize_t index, T object) {
        CCASSERT(index >= 0 && index <= size(), "Invalid index!");
        CCASSERT(object != nullptr, "The object should not be nullptr");
        _data.insert((std::begin(_data) + index), object);
        object->retain();
    }

    void popBack() {
        CCASSERT(!_data.empty(), "no objects added");
        auto last = _data.back();
        _data.pop_back();
        last->release();
    }
    void eraseObject(T object, bool removeAll = false) {
        CCASSERT(object != nullptr, "The object should not be nullptr");
        if (removeAll) {
            for (auto iter = _data.begin(); iter != _data.end();) {
                if ((*iter) == object) {
                    iter = _data.erase(iter);
                    object->release();
                } else {
                    ++iter;
                }
            }
        } else {
            auto iter = std::find(_data.begin(), _data.end(), object);
            if (iter != _data.end()) {
                _data.erase(iter);
                object->release();
            }
        }
    }
    iterator erase(iterator position) {
        CCASSERT(position >= _data.begin() && position < _data.end(), "Invalid position!");
        (*position)->release();
        return _data.erase(position);
    }
    iterator erase(iterator first, iterator last) {
        for (auto iter = first; iter != last; ++iter) (*iter)->release();
        return _data.erase(first, last);
    }
    iterator erase(ssize_t index) {
        CCASSERT(!_data.empty() && index >= 0 && index < size(), "Invalid index!");
        auto it = std::next(begin(), index);
        (*it)->release();
        return _data.erase(it);
    }
    void clear() {
        for (auto& it : _data) it->release();
        _data.clear();
    }

    void swap(T object1, T object2) {
        ssize_t idx1 = getIndex(object1);
        ssize_t idx2 = getIndex(object2);
        CCASSERT(idx1 >= 0 && idx2 >= 0, "invalid object index");
        std::swap(_data[idx1], _data[idx2]);
    }
    void swap(ssize_t index1, ssize_t index2) {
        std::swap(_data[index1], _data[index2]);
    }
    void replace(ssize_t index, T object) {
        CCASSERT(index >= 0 && index < size(), "Invalid index!");
        CCASSERT(object != nullptr, "The object should not be nullptr");
        _data[index]->release();
        _data[index] = object;
        object->retain();
    }
    void reverse() { std::reverse(std::begin(_data), std::end(_data)); }
    void shrinkToFit() { _data.shrink_to_fit(); }

protected:
    void addRefForAllObjects() {
        for (const auto& obj : _data) obj->retain();
    }

    std::vector<T> _data;
};

NS_CC_END

#endif  // __CCVECTOR_H__
