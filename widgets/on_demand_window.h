#pragma once

#include <QWidget>

#include <array>
#include <cstddef>

namespace tessaly {

// A window that exists from the start but makes its controls only when
// they are first needed, so a window nobody opens costs nothing at start-up:
// before it is shown, polished or grabbed, and whenever code reaches a
// control (members held as OnDemand) or calls a method that needs them.
class OnDemandWindow : public QWidget
{
    Q_OBJECT

public:
    explicit OnDemandWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // Makes the controls unless they are made (or being made) already.
    void ensureControls() const;
    bool controlsMade() const { return m_controls == Controls::Made; }

    void setVisible(bool visible) override;

protected:
    // Makes the controls; runs once.
    virtual void createControls() = 0;
    bool event(QEvent *event) override;

private:
    enum class Controls { Waiting, Making, Made };
    mutable Controls m_controls = Controls::Waiting;
};

// A control of an OnDemandWindow: reaching it makes the window's controls
// first, so it is never null where a made window would have it.
template <typename T> class OnDemand
{
public:
    explicit OnDemand(const OnDemandWindow *window)
        : m_window(window)
    {
    }
    OnDemand(const OnDemand &other)
        : m_window(other.m_window)
        , m_control(other.get())
    {
    }
    OnDemand &operator=(const OnDemand &) = delete;
    // Only the window's createControls sets it.
    OnDemand &operator=(T *control)
    {
        m_control = control;
        return *this;
    }

    T *get() const
    {
        m_window->ensureControls();
        return m_control;
    }
    T *operator->() const { return get(); }
    operator T *() const { return get(); }

private:
    const OnDemandWindow *m_window;
    T *m_control = nullptr;
};

// A row of such controls, indexed like the array it replaces.
template <typename T, std::size_t N> class OnDemandArray
{
public:
    explicit OnDemandArray(const OnDemandWindow *window)
        : m_window(window)
    {
    }
    OnDemandArray(const OnDemandArray &) = delete;
    OnDemandArray &operator=(const OnDemandArray &) = delete;

    T *&operator[](std::size_t i)
    {
        m_window->ensureControls();
        return m_controls[i];
    }
    T *operator[](std::size_t i) const
    {
        m_window->ensureControls();
        return m_controls[i];
    }
    const std::array<T *, N> &all() const
    {
        m_window->ensureControls();
        return m_controls;
    }
    auto begin() const { return all().begin(); }
    auto end() const { return all().end(); }
    static constexpr std::size_t size() { return N; }

private:
    const OnDemandWindow *m_window;
    std::array<T *, N> m_controls{};
};

} // namespace tessaly
