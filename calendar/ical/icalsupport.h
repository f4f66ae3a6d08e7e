#pragma once

// Shared by the iCalendar reader and writer; not part of the public interface, since it
// brings libical's C types with it.

#include <libical/ical.h>

#include <memory>

// libical's default error policy aborts the program on a malformed value (errors are fatal
// unless told otherwise). Called before any other libical function; thread-safe, once.
void ensureLibicalSetUp();

struct IcalComponentFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using IcalComponentPtr = std::unique_ptr<icalcomponent, IcalComponentFree>;

struct IcalIteratorFree
{
    void operator()(icalrecur_iterator *iterator) const { icalrecur_iterator_free(iterator); }
};
using IcalIteratorPtr = std::unique_ptr<icalrecur_iterator, IcalIteratorFree>;

// A recurrence rule read from text. icalrecurrencetype_from_string leaves the RSCALE text it
// copies to the caller; neither the iterator nor a property takes it over.
class IcalRecurrenceRule
{
public:
    explicit IcalRecurrenceRule(const char *text) : m_rule(icalrecurrencetype_from_string(text)) {}
    ~IcalRecurrenceRule() { icalmemory_free_buffer(m_rule.rscale); }
    IcalRecurrenceRule(const IcalRecurrenceRule &) = delete;
    IcalRecurrenceRule &operator=(const IcalRecurrenceRule &) = delete;

    const icalrecurrencetype &rule() const { return m_rule; }

private:
    icalrecurrencetype m_rule;
};
