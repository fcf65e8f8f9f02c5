#pragma once

#include "calcul/ajustement_affiche.h"
#include "calcul/recherche.h"
#include "calcul/service.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vestrel {

// --service and --probable of vestrel-fit, with the parts' materials and
// temperatures, as read from the command line.
struct OptionsService {
    bool service = false;        // --service
    std::optional<double> k;     // --probable [K]
    ConditionsService conditions;
    std::string condition;       // the first material or temperature option seen

    bool demandees() const { return service || k.has_value(); }
};

// Reads the option at args[i] when it is one of these, with its value
// (moving i past it); false for any other option. Bad values throw
// MauvaiseEntree.
bool lireOptionService(std::span<const std::string> args, std::size_t &i, OptionsService &o);

// Refuses a material or temperature without --service.
void verifierOptionsService(const OptionsService &o);

// What --service and --probable add to a fit: lines after the four of the
// fit, or JSON members (each starting with ",") inside its object.
std::string lignesService(const AjustementAffiche &a, const OptionsService &o);
std::string jsonService(const AjustementAffiche &a, const OptionsService &o);

// --find with --service: the wanted range is in service, so the search at
// 20 °C runs on it moved by −ΔS; each fit found also gets its clearances
// in service.
double deltaRecherche_mm(double d, const OptionsService &o);
std::string ligneTrouveService(const AjustementTrouve &t, double deltaS_mm);
std::string jsonTrouveService(const AjustementTrouve &t, double deltaS_mm);

} // namespace vestrel
