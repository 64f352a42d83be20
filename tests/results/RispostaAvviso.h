#pragma once
#include "AiutiFinestre.h" // RispostaAvviso and RispostaDialoghi
