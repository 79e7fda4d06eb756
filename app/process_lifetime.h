#pragma once

// What start-up takes for the whole process, and its release at the end (normal or fatal).
void InitialiseProcess();
void ReleaseProcessResources();
