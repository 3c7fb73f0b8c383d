// Every wrapper of the schematic editor's objects and records.
#pragma once

#include "host/create_host_object.h"
#include "host/document_options.h"
#include "host/real48.h"
#include "host/sch_graphics.h"
#include "host/sch_net_objects.h"
#include "host/sch_object.h"
#include "host/sch_part.h"
#include "host/sch_pin.h"
#include "host/sch_sheet_symbol.h"
#include "host/sch_text.h"
#include "host/sch_text_field.h"
#include "host/sch_vertex_objects.h"
