#include "mainwindow/change_person.h"

int PersonalityIndexOf(const std::vector<PersonalityEntry>& list, const std::string& name) {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].name == name) return static_cast<int>(i);
    return static_cast<int>(list.size());
}

void ChangePerson(Game& g, TableLayout& layout) {
    layout.Ctl("Label9", 4).Caption = g.Opp[1].Name;
    g.PersonalityIndex =
        static_cast<i16>(PersonalityIndexOf(ListPersonalities(g.AppFolder), g.Opp[1].Name));
}
