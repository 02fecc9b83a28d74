#include "ModuleModel.h"

#include <algorithm>

ModuleModel::ModuleModel() { name = "ModuleModel"; }
ModuleModel::~ModuleModel() = default;

void ModuleModel::process (float*, int) {}
void ModuleModel::process (float*, float*, int) {}

void ModuleModel::setInputsUsed (int n) { inputsUsed = n; }
int ModuleModel::getInputsUsed() { return inputsUsed; }
void ModuleModel::setOutputsUsed (int n) { outputsUsed = n; }
int ModuleModel::getOutputsUsed() { return outputsUsed; }
bool ModuleModel::isContainer() { return false; }
void ModuleModel::setFloorId (int id) { floorId = id; }
int ModuleModel::getFloorId() { return floorId; }
void ModuleModel::setColumn (int newColumn) { column = newColumn; }
int ModuleModel::getColumn() { return column; }
bool ModuleModel::isUiNeedsUpdate() { return uiNeedsUpdate; }
void ModuleModel::requestUiNeedsUpdate() { uiNeedsUpdate = true; }
void ModuleModel::clearUiNeedsUpdate() { uiNeedsUpdate = false; }

void ModuleModel::processBlock (float* left, float* right, int n)
{
    if (left == nullptr || right == nullptr || n <= 0)
        return;

    const int inputs = getInputsUsed();
    if (inputs == 2)
    {
        process (left, right, n);
    }
    else if (inputs == 1)
    {
        process (left, n);
        std::copy (left, left + n, right);
    }
}

void ModuleModel::raiseAnnouncement() noexcept { announcementPending.store (true, std::memory_order_release); }

bool ModuleModel::isAnnouncementPending() const noexcept { return announcementPending.load (std::memory_order_acquire); }

void ModuleModel::sendPendingAnnouncement()
{
    if (announcementPending.exchange (false, std::memory_order_acq_rel))
        sendActionMessage ("ModuleViewController arrangeModelInputsOutputs");
}
