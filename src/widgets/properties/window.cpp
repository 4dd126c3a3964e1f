#include "widgets/properties/window.h"

Window* Window::s_instance = nullptr;

void Window::create(QObject* parent)
{
    if (!s_instance)
        s_instance = new Window(parent);
}

Window* Window::instance()
{
    return s_instance;
}

Window::Window(QObject* parent) : QObject(parent) {}

Window::~Window()
{
    if (s_instance == this)
        s_instance = nullptr;
}
