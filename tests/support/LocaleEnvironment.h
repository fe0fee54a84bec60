#pragma once

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

/** Sets the locale variables that the language preference is read from, for the length of a
    test, and puts back what the process had afterwards. Variables not given are unset. */
class LocaleEnvironment
{
public:
    struct Settings
    {
        const char* language = nullptr;     ///< LANGUAGE
        const char* lcAll = nullptr;        ///< LC_ALL
        const char* lcMessages = nullptr;   ///< LC_MESSAGES
        const char* lang = nullptr;         ///< LANG
    };

    explicit LocaleEnvironment (const Settings& s)
    {
        set ("LANGUAGE", s.language);
        set ("LC_ALL", s.lcAll);
        set ("LC_MESSAGES", s.lcMessages);
        set ("LANG", s.lang);
    }

    ~LocaleEnvironment()
    {
        for (auto& [name, value] : saved)
        {
            if (value)
                setenv (name.c_str(), value->c_str(), 1);
            else
                unsetenv (name.c_str());
        }
    }

    LocaleEnvironment (const LocaleEnvironment&) = delete;
    LocaleEnvironment& operator= (const LocaleEnvironment&) = delete;

private:
    void set (const char* name, const char* value)
    {
        const char* old = std::getenv (name);
        saved[name] = old != nullptr ? std::optional<std::string> (old) : std::nullopt;

        if (value != nullptr)
            setenv (name, value, 1);
        else
            unsetenv (name);
    }

    std::map<std::string, std::optional<std::string>> saved;
};
