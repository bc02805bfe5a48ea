#include "registry.h"

#include "../app/resources.h"
#include "../screens/game_catalogue.h"
#include "listening/diktat_cis_form.h"
#include "listening/diktat_form.h"
#include "numbers/casy_form.h"
#include "numbers/cisl_form.h"
#include "numbers/hod_form.h"
#include "pronouns/oszajm_form.h"
#include "pronouns/przajm_form.h"
#include "pronouns/tazzajm_form.h"
#include "sentences/odpoved_form.h"
#include "sentences/pady_form.h"
#include "sentences/poradek_form.h"
#include "sentences/predl_form.h"
#include "verbs/perf_form.h"
#include "verbs/predp_form.h"
#include "verbs/rozkaz_form.h"
#include "verbs/vyber_form.h"
#include "verbs/vzor_edit_form.h"
#include "verbs/zpusob_form.h"
#include "words/antonym_form.h"
#include "words/cleny_form.h"
#include "words/nadraz_form.h"
#include "words/predl2_form.h"
#include "words/skupiny_form.h"
#include "words/slovicka_topics_form.h"

#include <QHash>
#include <functional>
#include <memory>

namespace vz {
namespace {

using Factory = std::function<TExerciseForm*(QWidget* stage)>;

const QHash<QString, Factory>& factories() {
    static const QHash<QString, Factory> table{
        {QStringLiteral("TwndVyber"), [](QWidget* stage) { return new TwndVyber(stage); }},
        {QStringLiteral("TwndVzorEdit"), [](QWidget* stage) { return new TwndVzorEdit(stage); }},
        {QStringLiteral("TwndPerf"), [](QWidget* stage) { return new TwndPerf(stage); }},
        {QStringLiteral("TwndRozkaz"), [](QWidget* stage) { return new TwndRozkaz(stage); }},
        {QStringLiteral("TwndAntonyma"), [](QWidget* stage) { return new TwndAntonyma(stage); }},
        {QStringLiteral("TwndSkupiny"), [](QWidget* stage) { return new TwndSkupiny(stage); }},
        {QStringLiteral("TwndCleny"), [](QWidget* stage) { return new TwndCleny(stage); }},
        {QStringLiteral("TwndPredl2"), [](QWidget* stage) { return new TwndPredl2(stage); }},
        {QStringLiteral("TwndPoradek"), [](QWidget* stage) { return new TwndPoradek(stage); }},
        {QStringLiteral("TwndPady"), [](QWidget* stage) { return new TwndPady(stage); }},
        {QStringLiteral("TwndOsZajm"), [](QWidget* stage) { return new TwndOsZajm(stage); }},
        {QStringLiteral("TwndTazZajm"), [](QWidget* stage) { return new TwndTazZajm(stage); }},
        // dictation drills
        {QStringLiteral("TwndDiktat"), [](QWidget* stage) { return new TwndDiktat(stage); }},
        {QStringLiteral("TwndDiktatCis"), [](QWidget* stage) { return new TwndDiktatCis(stage); }},
        // number tile drills
        {QStringLiteral("TwndCisl"), [](QWidget* stage) { return new TwndCisl(stage); }},
        {QStringLiteral("TwndCasy"), [](QWidget* stage) { return new TwndCasy(stage); }},
        // clock drill
        {QStringLiteral("TwndHod"), [](QWidget* stage) { return new TwndHod(stage); }},
        // answer drill
        {QStringLiteral("TwndOdpoved"), [](QWidget* stage) { return new TwndOdpoved(stage); }},
        // vocabulary drill
        {QStringLiteral("TwndSlovickaObl"),
         [](QWidget* stage) { return new TwndSlovickaObl(stage); }},
        {QStringLiteral("TwndPrZajm"), [](QWidget* stage) { return new TwndPrZajm(stage); }},
        {QStringLiteral("TwndPredl"), [](QWidget* stage) { return new TwndPredl(stage); }},
        {QStringLiteral("TwndNadraz"), [](QWidget* stage) { return new TwndNadraz(stage); }},
        {QStringLiteral("TwndZpusob"), [](QWidget* stage) { return new TwndZpusob(stage); }},
        {QStringLiteral("TwndPredp"), [](QWidget* stage) { return new TwndPredp(stage); }},
    };
    return table;
}

} // namespace

TStageForm* startExerciseForm(const GameInfo& game, QWidget* stage) {
    return startExerciseForm(game, stage, nullptr);
}

TStageForm* startExerciseForm(const GameInfo& game, QWidget* stage, QRandomGenerator* random) {
    const Factory make = factories().value(game.form);
    if (!make)
        return nullptr;
    std::unique_ptr<TExerciseForm> form(make(stage));
    form->Caption = QStringLiteral("Vevider Zuduzad: ") + game.title;
    form->Background =
        loadPicture(resourceFile(QStringLiteral("bmp\\bg_0%1.bmp").arg(game.code())));
    if (random)
        form->setRandom(random);
    form->StartExercise();
    return form.release();
}

} // namespace vz
