// Resource ids of the Quietbox host program.
#pragma once

#define IDI_MUZZLE 101
