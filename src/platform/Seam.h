#pragma once

#include <memory>
#include <utility>

// A process-wide, replaceable service. The program installs nothing and gets
// the default implementation; tests install scripted stand-ins.
template <typename Interface, typename Default>
class Seam {
public:
    static Interface& get()
    {
        auto& slot = storage();
        if (!slot)
            slot = std::make_unique<Default>();
        return *slot;
    }

    // Installs a replacement and returns the previous one (nullptr for the default).
    static std::unique_ptr<Interface> install(std::unique_ptr<Interface> replacement)
    {
        return std::exchange(storage(), std::move(replacement));
    }

private:
    static std::unique_ptr<Interface>& storage()
    {
        static std::unique_ptr<Interface> slot;
        return slot;
    }
};
