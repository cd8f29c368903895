     2.01           GLONASS NAV DATA                        RINEX VERSION / TYPE

