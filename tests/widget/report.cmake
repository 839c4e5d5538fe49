# The service report drawn (PDF, HTML, JSON).
