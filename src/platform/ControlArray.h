#pragma once

#include <QString>
#include <QWidget>

#include <map>

// A control array: widgets sharing one name, told apart by a sparse index.
// Each widget's object name is "Name(Index)".
template <typename T>
class ControlArray
{
public:
    explicit ControlArray(QString name = {}) : name_(std::move(name)) {}

    const QString &Name() const { return name_; }
    void SetName(const QString &name) { name_ = name; }

    // Creates the control of this index as a child of parent.
    template <typename... Args>
    T *Create(int index, QWidget *parent, Args &&...args)
    {
        T *control = new T(std::forward<Args>(args)..., parent);
        Add(index, control);
        return control;
    }
    void Add(int index, T *control)
    {
        control->setObjectName(ObjectName(name_, index));
        items_[index] = control;
    }
    T *operator[](int index) const
    {
        auto it = items_.find(index);
        return it == items_.end() ? nullptr : it->second;
    }
    T *At(int index) const { return (*this)[index]; }
    bool Contains(int index) const { return items_.count(index) != 0; }
    // Index of a control of this array, -1 when it is not one.
    int IndexOf(const QObject *control) const
    {
        for (const auto &[index, item] : items_)
            if (item == control)
                return index;
        return -1;
    }
    int LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    size_t Count() const { return items_.size(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    static QString ObjectName(const QString &name, int index) { return QString("%1(%2)").arg(name).arg(index); }

private:
    QString name_;
    std::map<int, T *> items_;
};
